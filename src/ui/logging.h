#pragma once
// The warnings the windows leave for whoever maintains the program (shell::IgnoringErrors).
#include <QLoggingCategory>

// varodara.ui: the windows and their loading and unloading.
Q_DECLARE_LOGGING_CATEGORY(lcUi)
