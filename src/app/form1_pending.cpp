#include "app/form1.h"
namespace vindelkast {
void TForm1::MnGivfilClick() {}
void TForm1::MnMedlemsregisterClick() {}
void TForm1::AdderaresultatClick() {}
void TForm1::NivelleragivarClick() {}
void TForm1::MnHTMLClick() {}
void TForm1::MnGammalHTMLClick() {}
void TForm1::MnPrintRondClick() {}
}
