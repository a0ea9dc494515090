#pragma once

#include <string>

#include "core/calibration_state.h"
#include "temp_dir.h"

// The calculation of four points with point 3 switched off, tolerance 0.05
// and two readings, saved on 5 March 2007 at 14:27.
inline CalibrationState ExampleState()
{
    CalibrationState s;
    const double x[] = {0, 5, 10, 20};
    const double y[] = {0.012, 0.26, 0.9, 1.013};
    s.PointCount = 4;
    for (int i = 1; i <= 4; ++i) {
        s.PercentValues[i] = x[i - 1];
        s.MeasuredValues[i] = y[i - 1];
        s.PointExcluded[i] = i == 3 ? 'y' : 'n';
    }
    s.ActiveCount = 3;
    s.Tolerance = 0.05;
    return s;
}

// Its 15 lines as they are appended.
inline std::string ExampleRecordBytes()
{
    return Cp("\r\n"
              "#\r\n"
              "Дата: 05.03.2007\r\n"
              "Время: 14:27\r\n"
              "0.05000000       Погрешность\r\n"
              "3       Кол-во точек\r\n"
              "8       Кол-во нулей за зпт.\r\n"
              "0.00000000    = X%(1)\r\n"
              "0.01200000    = D(1)\r\n"
              "5.00000000    = X%(2)\r\n"
              "0.26000000    = D(2)\r\n"
              "20.00000000    = X%(4)\r\n"
              "1.01300000    = D(4)\r\n"
              "0.3\r\n"
              "0.75\r\n");
}
