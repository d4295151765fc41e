// Draws the four foundation pictures of the foundation system form into the folder given as argument:
// a footing on a half-space, a pile cap on piles, a footing on a layer over rock and a deep foundation
// embedded in layers. Run at build time.

#include <cstdio>
#include <functional>

#include <QColor>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int Width = 240;
constexpr int Height = 180;
constexpr int Ground = 62; // ground surface

const QColor Sky(236, 244, 252);
const QColor Soil(214, 186, 140);
const QColor SoilDark(190, 158, 110);
const QColor Rock(150, 150, 158);
const QColor Concrete(175, 178, 184);
const QColor Ink(40, 40, 40);

void Hatch(QPainter& p, const QRect& area, const QColor& colour)
{
    p.save();
    p.setClipRect(area);
    p.setPen(QPen(colour, 1));
    for (int x = area.left() - area.height(); x < area.right(); x += 9)
        p.drawLine(x, area.bottom(), x + area.height(), area.top());
    p.restore();
}

void Background(QPainter& p, const QColor& ground = Soil)
{
    p.fillRect(0, 0, Width, Ground, Sky);
    p.fillRect(0, Ground, Width, Height - Ground, ground);
    p.setPen(QPen(Ink, 2));
    p.drawLine(0, Ground, Width, Ground);
}

void Caption(QPainter& p, const QString& text)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(13);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Ink);
    p.drawText(QRect(6, 4, Width - 12, 18), Qt::AlignLeft | Qt::AlignVCenter, text);
}

void Load(QPainter& p, int x, int top, int bottom)
{
    p.setPen(QPen(QColor(180, 30, 30), 2));
    p.setBrush(QColor(180, 30, 30));
    p.drawLine(x, top, x, bottom - 7);
    const QPoint head[] = {{x - 5, bottom - 8}, {x + 5, bottom - 8}, {x, bottom}};
    p.drawPolygon(head, 3);
}

void Block(QPainter& p, const QRect& r)
{
    p.setPen(QPen(Ink, 2));
    p.setBrush(Concrete);
    p.drawRect(r);
}

void HalfSpace(QPainter& p)
{
    Background(p);
    Caption(p, QStringLiteral("Footing on half-space"));
    // The half-space goes on without end: dashed depth lines fading downwards.
    p.setPen(QPen(SoilDark, 1, Qt::DashLine));
    for (int y = Ground + 30; y < Height; y += 30)
        p.drawLine(0, y, Width, y);
    Block(p, QRect(80, Ground - 16, 80, 28));
    Load(p, 120, 22, Ground - 17);
    // The zone of soil the footing stresses, below the ground only.
    p.save();
    p.setClipRect(QRect(0, Ground + 1, Width, Height - Ground));
    p.setPen(QPen(SoilDark, 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPoint(120, Ground + 12), 70, 50);
    p.restore();
}

void Pile(QPainter& p)
{
    Background(p);
    Caption(p, QStringLiteral("Pile cap on piles"));
    p.setPen(QPen(Ink, 2));
    p.setBrush(Concrete);
    for (int x : {62, 102, 138, 178})
        p.drawRect(QRect(x - 4, Ground + 6, 8, 96));
    Block(p, QRect(46, Ground - 14, 148, 22));
    Load(p, 120, 22, Ground - 15);
}

void Stratum(QPainter& p)
{
    Background(p);
    Caption(p, QStringLiteral("Footing on stratum over rock"));
    const int rockTop = 128;
    p.fillRect(0, rockTop, Width, Height - rockTop, Rock);
    Hatch(p, QRect(0, rockTop, Width, Height - rockTop), QColor(95, 95, 105));
    p.setPen(QPen(Ink, 2));
    p.drawLine(0, rockTop, Width, rockTop);
    Block(p, QRect(80, Ground - 16, 80, 28));
    Load(p, 120, 22, Ground - 17);
    // Layer thickness.
    p.setPen(QPen(Ink, 1));
    p.drawLine(210, Ground + 2, 210, rockTop - 2);
    p.drawLine(205, Ground + 2, 215, Ground + 2);
    p.drawLine(205, rockTop - 2, 215, rockTop - 2);
}

void Multilayer(QPainter& p)
{
    Background(p);
    Caption(p, QStringLiteral("Embedded foundation in layers"));
    const QColor layers[] = {QColor(222, 196, 150), QColor(200, 170, 122), QColor(182, 150, 104), QColor(165, 135, 92)};
    int y = Ground;
    for (int i = 0; i < 4; ++i) {
        const int h = i == 3 ? Height - y : 28;
        p.fillRect(0, y, Width, h, layers[i]);
        p.setPen(QPen(Ink, 1));
        p.drawLine(0, y, Width, y);
        y += h;
    }
    p.setPen(QPen(Ink, 2));
    p.drawLine(0, Ground, Width, Ground);
    // A deep body reaching through the layers.
    Block(p, QRect(88, Ground - 14, 64, 106));
    p.setPen(QPen(Ink, 1, Qt::DashLine));
    for (int ly = Ground + 28; ly < Ground + 92; ly += 28)
        p.drawLine(88, ly, 152, ly);
    Load(p, 120, 22, Ground - 15);
}

bool Save(const QDir& folder, const char* name, const std::function<void(QPainter&)>& draw)
{
    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        draw(painter);
        painter.setPen(QPen(Ink, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(0, 0, Width - 1, Height - 1);
    }
    const QString path = folder.filePath(QString::fromLatin1(name));
    if (!image.save(path, "BMP")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const bool ok = Save(folder, "halfspace.bmp", HalfSpace) && Save(folder, "pile.bmp", Pile) &&
                    Save(folder, "stratum.bmp", Stratum) && Save(folder, "multilayer.bmp", Multilayer);
    return ok ? 0 : 1;
}
