// SPDX-License-Identifier: GPL-3.0-or-later
// Registers the compiled-in images and translation catalogue; the library is static, so its users must ask.
#pragma once

void quorvelInitResources();
