#pragma once

// 10^0 .. 10^Most in the type T, made at compile time.
template <typename T, int Most>
struct PowersOfTen {
    T power[Most + 1] = {1};
    constexpr PowersOfTen()
    {
        for (int i = 1; i <= Most; ++i)
            power[i] = power[i - 1] * 10;
    }
};
