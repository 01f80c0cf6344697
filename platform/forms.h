#pragma once
// The windows of the program and the program-wide flags.
//
// Every window exists once, from start-up to exit, and is reached through the
// global named after its class less the leading T.  The pointers are set by
// start-up in creation order and cleared at exit.  A window uses the globals
// of its own folder only; the moves between folders are the shell's (see
// shell/navigation.h).

class TMainForm;
class TConsForm;
class TReshForm;
class TPonForm;
class TUrForm;
class TMetodForm;
class TKzsForm;
class THelpForm;
class TMatrixForm;
class TRepForm;
class TKontrForm;
class TSvyazForm;
class TMatrix2Form;
class TAskForm;

extern TMainForm* MainForm;
extern TConsForm* ConsForm;
extern TReshForm* ReshForm;
extern TPonForm* PonForm;
extern TUrForm* UrForm;
extern TMetodForm* MetodForm;
extern TKzsForm* KzsForm;
extern THelpForm* HelpForm;
extern TMatrixForm* MatrixForm;
extern TRepForm* RepForm;
extern TKontrForm* KontrForm;
extern TSvyazForm* SvyazForm;
extern TMatrix2Form* Matrix2Form;
extern TAskForm* AskForm;

// The control task runs as the Examiner's entrance test.
extern bool ExamMode;
// The entrance test was passed in this run.
extern bool ExamPassed;
