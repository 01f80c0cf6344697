#include "platform/forms.h"

TMainForm* MainForm = nullptr;
TConsForm* ConsForm = nullptr;
TReshForm* ReshForm = nullptr;
TPonForm* PonForm = nullptr;
TUrForm* UrForm = nullptr;
TMetodForm* MetodForm = nullptr;
TKzsForm* KzsForm = nullptr;
THelpForm* HelpForm = nullptr;
TMatrixForm* MatrixForm = nullptr;
TRepForm* RepForm = nullptr;
TKontrForm* KontrForm = nullptr;
TSvyazForm* SvyazForm = nullptr;
TMatrix2Form* Matrix2Form = nullptr;
TAskForm* AskForm = nullptr;

bool ExamMode = false;
bool ExamPassed = false;
