#pragma once
// The calculators' windows: the down payments of the monthly and the bonus part, the
// add-on conversion and the loan a rent carries.
#include "forms/tform6.h"
#include "forms/tform9.h"
#include "forms/tokbotadondlg.h"
#include "forms/tokbotgenyachindlg.h"
