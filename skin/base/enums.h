#pragma once
// Small enumerations that several skinned controls share: how a picture fills a panel, and how
// a control is docked in its parent.
#include <QObject>

namespace SkinSharedEnums {
Q_NAMESPACE

// How a picture fills a panel: once at its own size, stretched, or repeated.
enum TSkinDrawStyle { skinNormal, skinStretch, skinTile };
Q_ENUM_NS(TSkinDrawStyle)

// The side of its parent a control is docked to. Docking itself is the parent's layout's job;
// controls read it to know which of their sides the parent fixes.
enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
Q_ENUM_NS(TAlign)

}  // namespace SkinSharedEnums

using SkinSharedEnums::TAlign;
using SkinSharedEnums::TSkinDrawStyle;
using enum SkinSharedEnums::TAlign;
using enum SkinSharedEnums::TSkinDrawStyle;
