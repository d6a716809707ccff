// The "Correnti" tab: the current triangle.

#include "app/main_window.h"

#include "widgets/numeric/aligned_edit.h"

void TForm1::CLEARPVCORClick()
{
    EDPVCOR->clear();
    EDVPCOR->clear();
}

void TForm1::CLEARDCORClick()
{
    EDDCOR->clear();
    EDVCOR->clear();
}

void TForm1::CLEARRVCORClick()
{
    EDRVCOR->clear();
    EDVECOR->clear();
}
