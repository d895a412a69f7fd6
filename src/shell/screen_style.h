#pragma once
// The screens' shared styles now live with the other widgets in the ui layer.
#include "ui/widget_style.h"
