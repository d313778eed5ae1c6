#pragma once
// The kinds of title-bar buttons and the alignments of title-bar sections.
#include <QObject>

namespace SkinTitleBarEnums {
Q_NAMESPACE
// What a caption button does, and which frames of the look's button strip it shows.
enum TSkinTitleBarBtnType : unsigned char {
  skinMax,
  skinMin,
  skinClose,
  skinHelp,
  skinControlBox,
  skinCustom
};
Q_ENUM_NS(TSkinTitleBarBtnType)
enum TSkinTitleBarAlign : unsigned char { skinLeft, skinRight, skinClient };
Q_ENUM_NS(TSkinTitleBarAlign)
}  // namespace SkinTitleBarEnums

using SkinTitleBarEnums::TSkinTitleBarAlign;
using SkinTitleBarEnums::TSkinTitleBarBtnType;
using enum SkinTitleBarEnums::TSkinTitleBarAlign;
using enum SkinTitleBarEnums::TSkinTitleBarBtnType;
