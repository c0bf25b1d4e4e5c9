#pragma once

#include <QPixmap>

// The product's mark, drawn rather than shipped as a file.
class Logo
{
public:
    static QPixmap pixmap(int size);
};
