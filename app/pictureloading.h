#pragma once
// Opening a photo for a view that stretches it: the view's image is scaled from the rows already
// decoded while the decoder goes on. Decoding keeps one core busy; the scaling runs beside it on
// the shared pool, so opening costs little more than the decoding alone.
#include <QSize>
#include <filesystem>
#include <functional>

#include "app/rasterimage.h"
#include "sketch/raster.h"

struct ScaledLoad {
  graphitine::Raster picture;
  ScaledPicture view;  // null when the view's size is empty
};

// Reads the file as LoadPicture does (its errors, nothing kept on failure). viewSizeFor gives
// the size (in device pixels) of the view for the picture's own size; it is called once, on the
// calling thread, before decoding starts.
ScaledLoad LoadPictureScaled(const std::filesystem::path& file,
                             const std::function<QSize(QSize)>& viewSizeFor);
