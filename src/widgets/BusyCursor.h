#pragma once

// The busy pointer for as long as it lives: while a grid fills, a report renders, a file is
// copied. Does nothing in a program without a screen (benchmarks, the command-line export).
class BusyCursor
{
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;

private:
    bool m_set = false;
};
