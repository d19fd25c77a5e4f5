#pragma once

#include <com/sun/star/uno/Reference.hxx>
#include <com/sun/star/uno/XComponentContext.hpp>

// This process's own UNO environment, which the link needs to reach an
// office over a pipe. It is set up on first use (a few milliseconds) and kept for
// the run; an empty reference when the office's runtime cannot be loaded.
// It never starts an office.
css::uno::Reference<css::uno::XComponentContext> localUnoContext();
