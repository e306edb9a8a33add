// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

// Ends the program at once: all windows close and the process exits. Every path that must end
// the game goes through here, so tests can observe it instead of dying. Callers return right
// after the call, since an observing handler does return.
void endProgram();

// Replaces the exit with a handler (tests); an empty handler restores the real exit.
void setEndProgramHandler(std::function<void()> handler);
