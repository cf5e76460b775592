#pragma once
/// The graph as a vector picture: a display list painted on a QPainter with
/// the same geometry the image canvas gives it in pixels (one pixel is one
/// unit), written as PDF or SVG with one point per pixel and text as text.

#include <QImage>
#include <QPainter>
#include <QSize>
#include <QString>
#include <functional>

#include "engine/GraphState.h"
#include "output/DisplayList.h"

namespace vemlo {

enum class VectorFormat { Unknown, Pdf, Svg };

/// ".pdf"/".PDF" and ".svg"/".SVG"; anything else is Unknown.
VectorFormat VectorFormatOf(const QString& name);

/// Paints the steps of a picture w x h on a white ground, clipped to the
/// picture, in its own units (pixels).
void PaintDisplayList(QPainter& p, const DisplayList& list, QSize size);

/// Writes a w x h picture that `paint` draws, as PDF or SVG. It goes to a new
/// file beside the chosen one that takes its name only once it is complete:
/// on failure an existing file is left whole, nothing is left behind, and
/// error tells why.
bool WriteVectorPicture(const QString& name, VectorFormat format, QSize size, const QString& title,
                        const std::function<void(QPainter&)>& paint, QString* error = nullptr);

/// The full-graph picture (the sheet with title, formulas and parameter
/// values, and the graphing image on it) with the image's steps as vectors.
/// `image` holds the steps of a picture of imageSize.
bool WriteVectorGraph(const QString& name, VectorFormat format, const GraphState& g, const DisplayList& image,
                      QSize imageSize, QString* error = nullptr);

/// A picture's steps alone, as vectors of its size.
bool WriteVectorImage(const QString& name, VectorFormat format, const DisplayList& image, QSize imageSize,
                      QString* error = nullptr);

}  // namespace vemlo
