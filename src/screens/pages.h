#pragma once
// The game's page classes register their factories with the screen manager
// here, so the shell opens them without including this layer.

// Registers every page class this layer has. Called once at start-up, and by
// tests that open real pages.
void RegisterGamePages();

void RegisterManagerScreen();
void RegisterYouthScreen();
void RegisterPlayerScreen();
void RegisterFinanceScreen();
void RegisterFixtureScreen();
void RegisterInfoScreen();
void RegisterNewsScreen();
void RegisterDisciplineScreen();
void RegisterKitScreen();
void RegisterStatsScreen();
void RegisterGraphScreen();
void RegisterManProfScreen();
void RegisterStadiumScreen();
// One per page class (their files).
void RegisterTitleScreen();
void RegisterHighScreen();
void RegisterSquadScreen();
void RegisterOptionScreen();
void RegisterSquadSelectScreen();
void RegisterTactScreen();
void RegisterTrainScreen();
void RegisterYTrainScreen();
