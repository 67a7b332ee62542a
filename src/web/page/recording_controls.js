// The page's controls for recordings: save the game as a .script file, copy a link that plays
// it, and open a recording to watch, from the file picker or a file dropped anywhere on the
// page. Each control with `data-recording` (in the bar and on the end notice) does its job;
// what the jobs are is main.js's business. A short line in the bar says how one went.
const SAID_FOR = 5000;  // milliseconds

// The name a recording is saved under: the game and when it was played, to the minute.
export function file_name(date) {
  const two = (number) => String(number).padStart(2, '0');
  return `totechita-${date.getFullYear()}${two(date.getMonth() + 1)}${two(date.getDate())}-` +
    `${two(date.getHours())}${two(date.getMinutes())}.script`;
}

export function save_file(bytes, name) {
  const url = URL.createObjectURL(new Blob([bytes], { type: 'text/plain' }));
  const link = document.createElement('a');
  link.href = url;
  link.download = name;
  link.click();
  setTimeout(() => URL.revokeObjectURL(url), 60000);
}

// The first `limit` + 1 bytes of a file at most: enough to know that it is too large.
export async function file_bytes(file, limit) {
  return new Uint8Array(await file.slice(0, limit + 1).arrayBuffer());
}

// `jobs`: {save(), copy_link(), open(file)}. Returns say(text), which shows a line for a while.
export function wire_recording_controls(jobs) {
  const picker = document.getElementById('recording-file');
  const run = { save: () => jobs.save(), link: () => jobs.copy_link(), open: () => picker.click() };
  for (const control of document.querySelectorAll('[data-recording]')) {
    control.addEventListener('click', run[control.dataset.recording]);
  }
  picker.addEventListener('change', () => {
    if (picker.files.length > 0) jobs.open(picker.files[0]);
    picker.value = '';
  });

  const carries_files = (event) => event.dataTransfer?.types.includes('Files');
  addEventListener('dragover', (event) => {
    if (!carries_files(event)) return;
    event.preventDefault();
    event.dataTransfer.dropEffect = 'copy';
    document.body.classList.add('dropping');
  });
  addEventListener('dragleave', (event) => {
    if (event.relatedTarget === null) document.body.classList.remove('dropping');
  });
  addEventListener('drop', (event) => {
    document.body.classList.remove('dropping');
    if (!carries_files(event)) return;
    event.preventDefault();
    if (event.dataTransfer.files.length > 0) jobs.open(event.dataTransfer.files[0]);
  });

  const line = document.getElementById('recording-said');
  let clear = null;
  return (text) => {
    line.textContent = text;
    clearTimeout(clear);
    clear = setTimeout(() => { line.textContent = ''; }, SAID_FOR);
  };
}
