#pragma once
// Children that follow ParentColor fill with the palette's window colour, which they inherit.
// A container with a colour of its own (a tab body, a tab sheet) puts that colour there, so
// its children show the container's colour rather than the form's.
class TSkinWidget;

// Makes the container's own Color the window colour its children inherit; a container that
// follows ParentColor already passes its parent's on.
void OfferBackgroundToChildren(TSkinWidget& container);
