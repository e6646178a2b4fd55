// SPDX-License-Identifier: GPL-3.0-or-later
// Registers the compiled-in images and translation catalogue; the library is static, so its users must ask.
#pragma once

// Once per program, before its first window: main, the test suites and the benchmark each call it at start.
void quorvelInitResources();
