#pragma once

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

// libjpeg reports fatal errors through error_exit, which must not return.
// We longjmp back to the setjmp in the function that drives libjpeg; that
// function keeps only trivially destructible locals, so no C++ destructor
// is skipped, and its caller turns the failure into an exception.
struct JpegErrorReporter {
    jpeg_error_mgr pub{};
    std::jmp_buf jump{};
    char message[JMSG_LENGTH_MAX] = {};

    // Installs the reporter on a compress or decompress object.
    jpeg_error_mgr *install()
    {
        jpeg_std_error(&pub);
        pub.error_exit = &JpegErrorReporter::jumpBack;
        return &pub;
    }

private:
    [[noreturn]] static void jumpBack(j_common_ptr cinfo)
    {
        // pub is the first member, so the error_mgr pointer is the reporter.
        auto *self = reinterpret_cast<JpegErrorReporter *>(cinfo->err);
        (*cinfo->err->format_message)(cinfo, self->message);
        std::longjmp(self->jump, 1);
    }
};
