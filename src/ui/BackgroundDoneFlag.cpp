#include "ui/BackgroundDoneFlag.h"

std::atomic<int> BackgroundDoneFlag{0};
