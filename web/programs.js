// The command-line options that the form can set, and the programs built for the page, each
// with the options it takes in the order of its --help: both come from programs.json, which
// the build writes from the programs' own tables. A field left empty is not passed, and the
// program uses its own default, which the placeholder shows. A window program draws on the
// canvas; a console program writes to the text area.
export const OPTIONS = {};
export const PROGRAMS = {};
// What a page cannot offer: it has no folder to write pages into, no terminal to keep a
// progress line on, and one thread for a program; the scale of the picture is Present's.
const NOT_ON_THE_PAGE = ['save', 'progress', 'no-progress', 'jobs', 'scale'];
// Options whose value the page sets itself, each offered as a checkbox that passes it: the
// tree's file, which the program writes in its worker's memory and the worker hands to the
// page (console-worker.js), and the one value of --hide.
const FIXED_VALUES = {
  tree: { value: 'tree.svg', label: 'Tree', help: 'show the whole search tree, the picture ' +
          'that --tree draws, beside the output, with a link to download it as tree.svg' },
  hide: { value: 'turned-down' },
};

// Takes the table of programs.json.
export function takeProgramTable(table) {
  for (const program of table.programs) {
    const options = program.options.filter((o) => !NOT_ON_THE_PAGE.includes(o.name));
    for (const o of options) {
      const fixed = FIXED_VALUES[o.name];
      let label = (fixed && fixed.label) || o.label;
      // An option without a label of the page's own is named with its value ("Hide turned-down").
      if (fixed && !fixed.label && !label.includes(fixed.value)) {
        label = `${label.split(' ')[0]} ${fixed.value}`;
      }
      OPTIONS[o.name] = {
        label, placeholder: o.default ?? o.without ?? '', flag: o.value === null,
        help: (fixed && fixed.help) || o.help, fixed: fixed && fixed.value,
        // A value that is one of a few words ("picture or tree") is chosen from a list.
        choices: /^[\w-]+( or [\w-]+)+$/.test(o.form || '') ? o.form.split(' or ') : null,
      };
    }
    PROGRAMS[program.name] = {
      kind: program.window ? 'window' : 'console',
      options: options.map((o) => o.name),
      // What the program searches and shows, and its whole --help, as the program says them.
      about: program.description.replace(/\s*\n\s*/g, ' '),
      help: program.help,
      examples: program.examples.filter((e) => e.arguments.every(
        (word) => !word.startsWith('--') || word.slice(2) in OPTIONS)),
    };
  }
}
