#pragma once
// Least form of the shared helpers until the world's land.
int Random(int n);
