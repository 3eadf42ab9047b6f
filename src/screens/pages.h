// The game's page classes register their factories with the screen manager
// here, so the shell opens them without including this layer.
#pragma once

// Registers every page class this layer has. Called once at start-up, and by
// tests that open real pages.
void RegisterGamePages();

void RegisterSquadScreen();
