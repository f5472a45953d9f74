#include "CArmy.h"

CArmy& CArmy::Instance() {
    static CArmy army;
    return army;
}
