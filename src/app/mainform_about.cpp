#include "app/mainform.h"

// Shows the About window modelessly; it disables this window itself for as long as it is shown.
void TMainForm::sbtnAboutClick()
{
    if (m_aboutForm)
        m_aboutForm->show();
}
