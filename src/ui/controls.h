#pragma once
// Every control of the model, for forms that use many kinds.
#include "ui/buttons.h"
#include "ui/control.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/layout.h"
#include "ui/list_controls.h"
#include "ui/menu.h"
#include "ui/pages.h"
#include "ui/static_controls.h"
#include "ui/string_grid.h"
#include "ui/up_down.h"
