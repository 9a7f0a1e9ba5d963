#pragma once

namespace hb {

// The program-wide names, set once after the application object is made. No display name is
// set: the toolkit would add " — Helmbook" to every caption a window manager shows, and the
// captions are exactly the window's own titles. Message boxes take the application name.
void configureApplication();

} // namespace hb
