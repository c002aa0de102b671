#pragma once

// The four phases of a run. The first three throw std::logic_error on failure;
// CleanUp reports failure by returning false and may run after any of them.
void InitEverything();
void ImplementEverything();
void RunGame();
bool CleanUp();

// While the loading screen is still up, tells the player the start failed and
// where to read why (for the wait before an error exit).
void Show_Start_Failure();
