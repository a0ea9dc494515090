// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The significant digits with which a record's numbers stand in the point
// grid, from where the fit reads them back: the window and the report show
// and refit a loaded record through the same digits.
constexpr int kGridDigits = 15;
