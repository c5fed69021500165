#pragma once
// The design page's arithmetic: which parts of the panel it offers, what a
// typed size is kept as, and where the parts lie in the preview's miniature
// of the panel. Pure: no Windows headers.
#include <cstdint>

// The parts of the panel the page edits, in the order of its part list.
enum DesignPart {
    kPartSelectedText,
    kPartOtherText,
    kPartIcon,
    kPartCursor,      // standard looks only
    kPartBackground,  // the standard look from the visual style only
    kDesignPartCount
};

// How many parts the list offers for a skin of kind (kSkin*): the cursor's
// colours only for the standard looks, the background only for the one
// drawn with the visual style.
int DesignPartCount(int32_t kind);

// A size typed into the page as it is kept: as typed, but never beyond what
// the settings file holds (a stored value beyond that would be cut when read
// back), so the page and the next start show the same panel.
int32_t StoredDesignSize(int part, uint32_t typed);

// The panel cut down to two rows for the preview: the skin's panel height
// plus (2 - count) rows, the cursor's top moved by (1 - count / 2) rows.
struct TwoRowPanel {
    int32_t panelHeight;
    int32_t selectTop;
};
TwoRowPanel CutToTwoRows(int32_t panelHeight, int32_t selectTop, int32_t itemCount, int32_t itemHeight);

// Where the miniature's left or top edge goes in a client extent: centred,
// halved towards minus infinity when the panel is the larger.
int32_t CentredOrigin(int32_t clientExtent, int32_t panelExtent);

// The miniature as it was last drawn, for hit testing a click.
struct PreviewHitInput {
    int32_t x0, y0;  // the panel's top-left corner in the preview
    int32_t kind;
    bool noIcons;
    int32_t panelWidth, panelHeight;
    int32_t frameLeft, frameTop, frameRight, frameBottom;  // the panel's frame widths
    int32_t itemLeft, itemTop, itemWidth, itemHeight;
    int32_t iconSize, itemMargin;
    int32_t selectPoints, otherPoints;  // the design's text sizes
    int32_t pixelsPerInchY;
};

// The part under (x, y), or -1: an icon, then the selected sample's text,
// then the other sample's text, then (standard looks) the first row, then
// (the themed look) the panel inside its frame.
int PreviewPartAt(const PreviewHitInput& in, int32_t x, int32_t y);
