#pragma once
// Keyboard behaviours every window of the program shares (installed once, at
// start-up, by installKeyboardBehaviour; repeated calls do nothing):
//  - Enter and Return press the focused push button in windows that are not
//    dialogs, as Space does (dialogs already do it for their buttons);
//  - the focus is drawn from the moment a window is shown, not only after the
//    first Tab.
void installKeyboardBehaviour();
