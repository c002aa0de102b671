#pragma once

// The four phases of a run. The first three throw std::logic_error on failure;
// CleanUp reports failure by returning false and may run after any of them.
void InitEverything();
void ImplementEverything();
void RunGame();
bool CleanUp();
