#pragma once
// When a person leaves the world (retired, released, regenerated, game
// over) nothing may keep his index: a reused slot would point at someone
// else. Each list that holds people's indexes drops them here.
void ForgetPlayerIndex(int player);
