// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window's own state, typed: each caption that shows a state is set from
// it, never read back as state.
namespace pilecalc::app {

// The optimisation layer is in use: computations fill its list and are not
// recorded in the calculation book or the summary table.
enum class OptimisationMode : int { Off = 0, On = 1 };

// The text the results viewer shows; cbt_PageBook reads "1" on the book and "2"
// on the table.
enum class ViewerPage { Book, Table };

// The optional columns of the result lists and the ranges grid's description:
// folded at start ("展开" offers to show them), expanded after the toggle ("折叠").
enum class ListColumns { Folded, Expanded };

}  // namespace pilecalc::app
