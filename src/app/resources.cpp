// SPDX-License-Identifier: GPL-3.0-or-later
// Resource registration for the static library (images and the toolkit's French catalogue).
#include "app/resources.h"

#include <QtGlobal>

void quorvelInitResources()
{
    Q_INIT_RESOURCE(quorvel);
    Q_INIT_RESOURCE(translations);
}
