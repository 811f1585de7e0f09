// What every window program's run shares.
#include "window/window_run.h"

#include "raster/page_files.h"
#include "raster/raster.h"
#include "steps/tree_view.h"
#include "raster/window.h"
#include "run/progress.h"
#include "run/run_end.h"

static_assert(max_option_scale == max_draw_scale, "--scale takes every scale the kit draws");

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

    if (!open_screen(program.info.name, settings.save_folder, settings.scale)) return 1;
    program.map_colours(screen->format);
    StepFonts fonts = {open_text_font(program.info.name), nullptr, nullptr, nullptr};
    TTF_Font* const font = fonts.text;
    // Without the font there are no other sizes of it either, and nothing more to say.
    if (settings.steps && font != nullptr) {
        fonts.label = open_text_font(program.info.name, label_font_size);
        fonts.small = open_text_font(program.info.name, small_font_size);
        fonts.tree = open_text_font(program.info.name, tree_label_font_size);
    }
    if (settings.steps) {
        const StepShown first = settings.step_view == StepViewChoice::tree    ? StepShown::tree
                                : settings.step_view == StepViewChoice::stack ? StepShown::stack
                                                                              : StepShown::picture;
        start_steps(fonts, settings.delay_ms, program.step_view, first);
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
    end_progress();
    // Each font was opened with SDL_ttf started for it, and is closed with it shut down.
    for (TTF_Font* size : {fonts.label, fonts.small, fonts.tree}) {
        if (size != nullptr) close_text_font(size);
    }
    close_text_font(font);
    return end_status;
}
