#pragma once

// The application's name and icon, set before any window exists. The name also names
// the user's configuration folder. No display name is set: the desktop would add it to
// every caption, and the captions are the program's own ("QZ-17 [file]").
void PrepareApplication();
