#pragma once

// Every text the program shows, kept by window in the headers beside this one. UTF-8.

#include "window/text/elements_texts.h"
#include "window/text/main_window_texts.h"
#include "window/text/menu_texts.h"
#include "window/text/print_texts.h"
#include "window/text/refusal_texts.h"
#include "window/text/solution_texts.h"
#include "window/text/spoken_texts.h"
