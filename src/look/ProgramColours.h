#pragma once

#include "engine/StyledText.h"

#include <QColor>

// The program's own colours, one table for the screens, the card table and the handouts. Each name says what
// the colour is for; a colour that is set as a background comes with the text colour that goes on it, so a
// screen stays readable whatever the system palette is.
namespace quillmere::programColours {

// A reading's own colour as the painters take it.
constexpr QColor fromRgb(Rgb rgb)
{
    return QColor(rgb.red, rgb.green, rgb.blue);
}

// The forms: the screens, the manual board, the deck entry and the About box.
inline constexpr QColor kFormGrey{64, 64, 64};
inline constexpr QColor kFormText{255, 255, 255};
// The dark strip behind a screen's instructions, with kFormText on it.
inline constexpr QColor kInstructionStrip{0, 0, 64};
// The panels that describe the spread, the position or the option, with kFormText on them.
inline constexpr QColor kPanelNavy{0, 0, 128};
// The program's title in the About box and the deck entry's messages, on kFormGrey.
inline constexpr QColor kTitleGold{255, 199, 6};

// The wait panel shown while the cards are drawn: a light yellow frame around grey labels in kFormText.
inline constexpr QColor kWaitYellow{255, 255, 192};
inline constexpr QColor kWaitFrameText{0, 0, 0};

// The right panel's command buttons: black on gold, grey on a paler gold while disabled.
inline constexpr QColor kCommandButton = kTitleGold;
inline constexpr QColor kCommandButtonText{0, 0, 0};
inline constexpr QColor kCommandButtonDisabledText{128, 128, 128};
// The disabled buttons' paler gold, as QColor::lighter gives it.
inline constexpr int kCommandButtonDisabledLighter = 140;

// The workspace behind the screens: black before a reading, white under a reading's table.
inline constexpr QColor kWorkspaceDark{0, 0, 0};
inline constexpr QColor kWorkspaceLight{255, 255, 255};

// The card table's cloth and the position numbers on its cards: magenta inside a light halo.
inline constexpr QColor kTableCloth{255, 255, 255};
inline constexpr QColor kPositionNumber{255, 0, 255};
inline constexpr QColor kPositionNumberHalo{255, 255, 255, 230};
// The light line inside a focused card's frame, so the frame shows on dark and light cards alike.
inline constexpr QColor kCardFocusInnerLine{255, 255, 255};
// The frame of the face-down card that has the focus on the manual board.
inline constexpr QColor kFaceDownFocus{255, 255, 0};

// The plain card back drawn when no back picture can be read: a dark red field inside a gold frame.
inline constexpr QColor kPlainBackField{110, 20, 30};
inline constexpr QColor kPlainBackFrame{212, 175, 55};

// The reading pane's paper, which keeps the reading's own colours legible under any palette.
inline constexpr QColor kPaper{255, 255, 255};
inline constexpr QColor kPaperText = fromRgb(colours::kBlack);

// The handout pages and the spread picture, printed on white.
inline constexpr QColor kHandoutText = fromRgb(colours::kBlack);
inline constexpr QColor kHandoutTitle = fromRgb(colours::kNavy);
inline constexpr QColor kHandoutSpreadName = fromRgb(colours::kPurple);
inline constexpr QColor kHandoutDetailLabel = fromRgb(colours::kGreen);
inline constexpr QColor kHandoutCardName = fromRgb(colours::kMaroon);
inline constexpr QColor kHandoutFooter{110, 110, 110};
inline constexpr QColor kHandoutPositionNumber = kPositionNumber;
inline constexpr QColor kHandoutPositionNumberHalo = kPositionNumberHalo;
// The spread picture's grey frame around every card; a card without a picture shows its name in dark grey on
// white inside it.
inline constexpr QColor kSpreadPictureCardFrame{150, 150, 150};
inline constexpr QColor kEmptyCardFace{255, 255, 255};
inline constexpr QColor kEmptyCardName{60, 60, 60};
inline constexpr QColor kSpreadPictureGround{255, 255, 255};

} // namespace quillmere::programColours
