// Every text the page shows of its own; the core's messages come from the core.
export const texts = {
  product: 'Zarnikfield',
  loading: 'Getting the robot ready…',
  loadFailed: 'Zarnikfield could not start in this browser. Try a newer browser, or reload the page.',
  ok: 'OK',
  yes: 'Yes',
  no: 'No',
  cancel: 'Cancel',

  fileBar: 'Files',
  newProgram: 'New',
  open: 'Open…',
  save: 'Save…',
  activities: 'Activities…',
  activitiesCaption: 'Choose an activity',
  help: 'Help',
  defaultFileName: 'program.gop',
  gopType: 'Go Program',

  runBar: 'Run the program',
  run: 'Run',
  stop: 'Stop',
  continueRun: 'Continue',
  step: 'Step',
  reset: 'Reset',
  speed: 'Speed',
  // The robot's speeds from slowest to quickest, with the core's number of each.
  speeds: [
    ['Very Slow', 2],
    ['Slow', 1],
    ['Medium', 3],
    ['Fast', 0],
    ['Instant', 4],
  ],

  keypad: 'Keypad',
  goList: 'Go List',
  procedures: 'Procedures',
  emptyList: '(empty)',
  workingArea: 'Working area',
  ready: 'Ready',

  // The desktop's own words before work is put away.
  saveChanges: 'Do you want to save changes to the Go Program?',
  notKept: 'Your work could not be kept in this browser: save it to a file before you close the page.',
  unreadableKept: 'The work kept in this browser could not be read; it is kept aside and a new program is started.',
  saveFailed: 'The program could not be saved.',
};

// Names a screen reader says for the keypad's keys, by key code.
export const keyNames = {
  0: 'Forward',
  1: 'Back',
  2: 'Turn left',
  3: 'Turn right',
  4: 'Repeat',
  5: 'Procedure',
  6: 'Quaver',
  7: 'Wait',
  8: 'Motor',
  9: 'Sense',
  10: 'Toggle',
  11: 'Bracket',
  16: 'Clear memory',
  17: 'Go',
  18: 'Clear entry',
};
