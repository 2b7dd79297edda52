// Opaque handles of the window-system layer. Each backend defines the structs.
#pragma once

struct PlatformWindow;
struct PlatformDc;
struct PlatformCursor;
struct PlatformDialog;

using WindowHandle = PlatformWindow*;
using DeviceContext = PlatformDc*;
using CursorHandle = PlatformCursor*;
using DialogHandle = PlatformDialog*;
