// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

// Start-up measurement for bench/run.sh. With STUMPWELL_BENCH_FIRST_PAINT set in the
// environment, the first paint of anything inside `frame` prints
// "first-paint peak_rss_kib=<n>" on standard output and ends the process at once, so the
// runner can time process start to first paint. Without the variable it does nothing.
// Call it before the frame is shown.
void reportFirstPaintIfAsked(QWidget *frame);

// Runs the event loop until `widget` has painted once, or for `maxMs` at most (a platform need
// not paint a window nobody sees).
void waitForFirstPaint(QWidget *widget, int maxMs);
