#pragma once
// The match simulation. The match engine fills it; the world makes and
// deletes it with itself.
class CMatchPlay {};
