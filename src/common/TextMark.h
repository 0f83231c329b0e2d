#pragma once

// Marks a text the window shows in the user's language. The core keeps its English
// texts (kelvane-calc prints them as they are); the translation tools collect every
// marked text under its context, and the window translates it where it shows it.
// The context of every marked text is "Kelvane".
#define KELVANE_TEXT(context, text) text
