#pragma once

#include <string>

#include <QImage>

namespace quavis {

class Prompter;
class TProject;

// The three geometry views.
enum class TViewKind { Top, SideXZ, SideYZ };

// The picture a freshly opened view shows in its window's initial client size: activated once, then
// painted. A view that would close itself (its failures already told through the prompter) gives a null
// image. Activating a side view writes the model's FoundationType and ProfileDepth, as the window does.
QImage RenderViewPicture(TProject& project, TViewKind kind, Prompter& prompter);

} // namespace quavis
