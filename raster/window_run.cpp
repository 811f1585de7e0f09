// What every window program's run shares.
#include "raster/window_run.h"

#include "raster/page_files.h"
#include "raster/raster.h"
#include "raster/window.h"
#include "run/progress.h"
#include "run/run_end.h"

namespace {

const WindowProgram* running;

// What the progress line tells while the pages go to files.
ProgressSample saving_progress()
{
    ProgressSample now;
    now.found = running->found();
    now.pages = pages_written();
    return now;
}

}  // namespace

int run_window_program(int argc, char** argv, const WindowProgram& program)
{
    Settings settings;
    const int status = parse_command_line(argc, argv, program.info, settings);
    if (status != run_program) return status;
    program.set_instance(settings);
    running = &program;

    if (!open_screen(program.info.name, settings.save_folder)) return 1;
    program.map_colours(screen->format);
    TTF_Font* font = open_text_font(program.info.name);
    // Without the font there are no other sizes of it either, and nothing more to say.
    const bool more_sizes = settings.steps && font != nullptr;
    TTF_Font* label_font =
        more_sizes ? open_text_font(program.info.name, label_font_size) : nullptr;
    TTF_Font* small_font =
        more_sizes ? open_text_font(program.info.name, small_font_size) : nullptr;
    if (settings.steps) {
        start_steps(font, label_font, small_font, settings.delay_ms, program.step_view,
                    settings.tree_view);
        if (!pages_go_to_files()) {
            char instance[96];
            program.step_view.instance(instance, sizeof instance);
            name_window(program.info.name, instance);
        }
    } else {
        program.start_pages(font);
    }
    program.watch(settings.steps);
    if (pages_go_to_files()) {
        start_progress(settings.progress, false,
                       {program.info.name, program.found_name, program.total(), saving_progress});
    }

    int end_status = 0;
    try {
        if (settings.steps) take_step_zero();
        program.search();
        if (settings.steps) {
            finish_steps();
        } else {
            program.finish_pages(font);
        }
    } catch (const RunEnd& end) {
        end_status = end.status;
    }
    close_window_run(font, label_font, small_font);
    return end_status;
}
