#include "hauptfenster.h"

#include "frmStart.h"

QMainWindow* neuesHauptfenster()
{
    auto* s = new frmStart;
    s->setAttribute(Qt::WA_DeleteOnClose);
    return s;
}
