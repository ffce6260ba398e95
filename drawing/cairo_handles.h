#pragma once
// Owning handles for cairo's surfaces and contexts, and the stream callback
// that writes a surface's bytes into an AtomicFile.

#include <cairo.h>
#include <memory>

#include "base/atomic_file.h"

namespace kvarn {

struct SurfaceDeleter {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
struct ContextDeleter {
    void operator()(cairo_t* c) const { cairo_destroy(c); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;
using Context = std::unique_ptr<cairo_t, ContextDeleter>;

// A cairo_write_func_t whose closure is an AtomicFile.
inline cairo_status_t writeToAtomicFile(void* closure, const unsigned char* data,
                                        unsigned int length) {
    return static_cast<AtomicFile*>(closure)->write(data, length) ? CAIRO_STATUS_SUCCESS
                                                                  : CAIRO_STATUS_WRITE_ERROR;
}

} // namespace kvarn
