#include "view/view_state.h"

ViewState gView;
PanelState gPanel;
