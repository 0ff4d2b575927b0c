// Creates the fifteen screens in their fixed order and wires them together.
#pragma once

// Creation runs the creation handlers in this order: the main menu seeds the
// generator, the create form sets up its pools, the viewer and the day
// results screen load the career (each shows the file-error box when there
// is none). The main menu is the main window.
void createScreens();
