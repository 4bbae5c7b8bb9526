// Translation of the accelerator tables' key codes into Qt key sequences.
#pragma once

#include <QKeySequence>
#include <QList>

#include "res/resources.h"

namespace vyr {

// The Qt sequences that stand for one accelerator (Enter covers both Enter keys,
// Shift+Tab also arrives as Backtab). Empty for a key code Qt has no name for.
QList<QKeySequence> KeySequencesFor(const res::Accelerator& accelerator);

}  // namespace vyr
