#pragma once
// The one-line text field drawn over the page. The page hands it the focus
// on a click and passes it the typed characters while it has the focus;
// its text, caret and filters come with the field itself, in this class.
#include "platform/window/window.h"

class CXEdit : public platform::win::Window {};
