// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

// Ends the program: all windows close and the event loops return, so main() returns and the
// frame, the session and its store (with its lock) are destroyed as after Exit. Every path that
// must end the game goes through here, so tests can observe it. Callers return right after the
// call and stop what they were doing.
void endProgram();

// Replaces the exit with a handler (tests); an empty handler restores the real exit.
void setEndProgramHandler(std::function<void()> handler);

// From here on a quit from anywhere (endProgram, a desktop's logout) ends every event loop, even
// past a window that refuses to close, such as the splash. A new run starts with none asked.
void watchForQuit();
// True once a quit was asked: code that goes on after a modal window stops there.
bool programEnding();
