#include "palette.h"

namespace {

QColor rgb(unsigned hex, int alpha = 255)
{
    return QColor((hex >> 16) & 0xFF, (hex >> 8) & 0xFF, hex & 0xFF, alpha);
}

Palette coverPalette()
{
    Palette p;
    p.wallTop = rgb(0x4B4C82);
    p.wallBottom = rgb(0x3E3F70);
    p.wallMotif = rgb(0x5C5D96);
    p.skirting = rgb(0x6E6996);

    p.skyTop = rgb(0x28306C);
    p.skyMiddle = rgb(0x3A3F8C);
    p.skyHorizon = rgb(0x8A6AAE);
    p.star = rgb(0xFFF6DC);
    p.moon = rgb(0xFFF1C9);
    p.moonShade = rgb(0xE8D9A8);
    p.cloud = rgb(0x8E86C4, 110);

    p.farHills = rgb(0x4C4A8E);
    p.nearHills = rgb(0x363A72);
    p.houses = rgb(0x2F3466);
    p.houseWindow = rgb(0xFFD47E);
    p.trees = rgb(0x2D3A66);

    p.frame = rgb(0xD9D4EC);
    p.frameShade = rgb(0xA49EC6);
    p.frameLight = rgb(0xF4F1FF);
    p.brass = rgb(0xD9B25E);

    p.curtain = rgb(0x8C4F80);
    p.curtainDark = rgb(0x693B64);
    p.curtainLight = rgb(0xB06CA2);
    p.tieback = rgb(0xE2B65C);
    p.rod = rgb(0xCFA65E);
    p.rodDark = rgb(0x8E6C3C);

    p.sillTop = rgb(0xE3DEF2);
    p.sillFront = rgb(0xB9B2D6);
    p.sillShade = rgb(0x8F88B4);

    p.wood = rgb(0x7E5E66);
    p.woodDark = rgb(0x5E4656);
    p.woodLight = rgb(0x9C7C82);
    p.shelfBack = rgb(0x4A3A56);

    p.floor = rgb(0x66506E);
    p.floorAlt = rgb(0x5C4866);
    p.floorSeam = rgb(0x46374F);

    p.rugOuter = rgb(0x5F8FA0);
    p.rugMiddle = rgb(0xC07F92);
    p.rugInner = rgb(0xE4CFB0);

    p.catFur = rgb(0xE69A52);
    p.catStripe = rgb(0xC26E34);
    p.catCream = rgb(0xFBE6CA);
    p.catOutline = rgb(0x5E3B36);
    p.catInnerEar = rgb(0xF2A6A8);
    p.catNose = rgb(0xE77C8C);
    p.catBlush = rgb(0xF59AA8, 120);

    p.leaf = rgb(0x62A47A);
    p.leafDark = rgb(0x3F7C5E);
    p.pot = rgb(0xC8714C);
    p.potDark = rgb(0xA0583E);

    p.yarn = rgb(0x62B6B0);
    p.yarnDark = rgb(0x3F8A8A);

    p.outline = rgb(0x3E3660);
    p.shadow = rgb(0x2A2850, 80);
    p.books = {rgb(0x5E86B8), rgb(0xC2646E), rgb(0x6FA27E), rgb(0xD6A95C), rgb(0x8C6CB0), rgb(0xD98A6A)};
    return p;
}

Palette hiddenPalette()
{
    Palette p;
    p.wallTop = rgb(0xF8C68C);
    p.wallBottom = rgb(0xEE9D68);
    p.wallMotif = rgb(0xFCDCAA);
    p.skirting = rgb(0xFFF0DC);

    p.skyTop = rgb(0x2A2C78);
    p.skyMiddle = rgb(0x553C98);
    p.skyHorizon = rgb(0xD8709A);
    p.star = rgb(0xFFFBEA);
    p.moon = rgb(0xFFF3CC);
    p.moonShade = rgb(0xF0DCA0);
    p.cloud = rgb(0xB07CC0, 120);

    p.farHills = rgb(0x6C4C9C);
    p.nearHills = rgb(0x4A3A7E);
    p.houses = rgb(0x3E326C);
    p.houseWindow = rgb(0xFFE38C);
    p.trees = rgb(0x3A3A70);

    p.frame = rgb(0xFFF4E2);
    p.frameShade = rgb(0xE0C2A0);
    p.frameLight = rgb(0xFFFFFF);
    p.brass = rgb(0xF0C050);

    p.curtain = rgb(0xC4527E);
    p.curtainDark = rgb(0x983A60);
    p.curtainLight = rgb(0xE684AC);
    p.tieback = rgb(0xF6C64E);
    p.rod = rgb(0xE0AE48);
    p.rodDark = rgb(0xA87A2C);

    p.sillTop = rgb(0xFFF6EA);
    p.sillFront = rgb(0xF0D6BA);
    p.sillShade = rgb(0xD2A986);

    p.wood = rgb(0xB8764A);
    p.woodDark = rgb(0x8C5434);
    p.woodLight = rgb(0xD49462);
    p.shelfBack = rgb(0x7A4A32);

    p.floor = rgb(0xC4854F);
    p.floorAlt = rgb(0xB57642);
    p.floorSeam = rgb(0x8E5632);

    p.rugOuter = rgb(0x36B0B8);
    p.rugMiddle = rgb(0xFF8AA2);
    p.rugInner = rgb(0xFFF0CC);

    p.catFur = rgb(0xF4A453);
    p.catStripe = rgb(0xCC7434);
    p.catCream = rgb(0xFFF2DC);
    p.catOutline = rgb(0x5E3B36);
    p.catInnerEar = rgb(0xFFB0B2);
    p.catNose = rgb(0xFF8098);
    p.catBlush = rgb(0xFF8FA6, 150);

    p.leaf = rgb(0x56C072);
    p.leafDark = rgb(0x2F9250);
    p.pot = rgb(0xE27C4C);
    p.potDark = rgb(0xBA5E36);

    p.yarn = rgb(0x3EC6BC);
    p.yarnDark = rgb(0x219A92);

    p.outline = rgb(0x5A3644);
    p.shadow = rgb(0x8A4A30, 70);
    p.books = {rgb(0x4C9BE8), rgb(0xF05A6A), rgb(0x4CC47E), rgb(0xFFC447), rgb(0xA070F0), rgb(0xFF8C5A)};
    return p;
}

}  // namespace

const Palette &paletteFor(Variant variant)
{
    static const Palette cover = coverPalette();
    static const Palette hidden = hiddenPalette();
    return variant == Variant::Cover ? cover : hidden;
}
