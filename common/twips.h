#pragma once

#include <QPoint>
#include <QSize>

// Sizes and positions of the windows are given in twips: 15 twips per pixel.
constexpr int twips(int t)
{
    return (t + 7) / 15;
}

constexpr QSize twips(int breite, int hoehe)
{
    return {twips(breite), twips(hoehe)};
}
