// What only the page can show: its windows, its menu, keys and on-screen keys, the end of the
// program, and its clock when idle or hidden. Game rules are the whole-game test's business.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { test } from 'node:test';
import { page_sessions } from './page_session.mjs';
import { ScriptPlayer } from './script_player.mjs';

const PHONE = { viewport: { width: 390, height: 844 }, isMobile: true, hasTouch: true };

const sessions = page_sessions();

// The whole game's opening: walk over one of each ingredient (up to the first craft), then
// craft a water bomb with a click on the dry-ice count (the craft included).
async function whole_game_opening({ craft }) {
  const whole_game = await sessions.read_script(
    readFileSync(process.env.TOTECHITA_WHOLE_GAME_SCRIPT, 'utf8'));
  const first_craft = whole_game.findIndex(({ text }) => text.trim() === 'click Label3');
  return whole_game.slice(0, first_craft + (craft ? 1 : 0));
}

async function open(options = {}) {
  return sessions.open({ seed: 1, ...options });
}

async function value(game, form, control, property) {
  return (await game.state()).forms.find((state) => state.form === form).controls[control][property];
}

async function client_size(window) {
  const box = await window.locator('.client').boundingBox();
  return [box.width, box.height];
}

function menu_tree(bar) {
  const entries = (list) => [...list.children].map((child) => {
    if (child.matches('hr')) return '-';
    if (child.matches('button')) return child.textContent;
    return { [child.firstChild.textContent]: entries(child.lastChild) };
  });
  return entries(bar);
}

test('the title is borderless and centred, then the board has its caption, close box and menu', async () => {
  const game = await open();
  await game.run_for(100);
  const title = game.window('Form1');
  assert.equal(await title.locator('.caption-bar').count(), 0);
  assert.deepEqual(await client_size(title), [529, 481]);
  const box = await title.boundingBox();
  assert.ok(Math.abs(box.x + box.width / 2 - 400) <= 1 && Math.abs(box.y + box.height / 2 - 300) <= 1);
  await game.screenshot('title');

  await game.run_for(1500);
  assert.equal(await title.count(), 0);
  const board = game.window('Form2');
  assert.equal(await board.locator('.caption').textContent(), 'KORUMEDO　トテチータ');
  assert.ok(await board.locator('.close-box').isVisible());
  assert.deepEqual(await client_size(board), [377, 331]);
  assert.deepEqual(await board.locator('.menu-bar').evaluate(menu_tree), [
    { ゲーム: [{ 敵を置く: ['茂佐', 'ヌガタのおやじ', 'ポテ戦'] }, '-', '終了'] },
  ]);
  assert.deepEqual(game.errors, []);
  await game.close();
});

test('Return and keypad Enter both drop the bomb in hand', async () => {
  for (const key of ['Enter', 'NumpadEnter']) {
    const game = await open();
    await new ScriptPlayer(game, []).play(await whole_game_opening({ craft: true }));
    await game.page.keyboard.press(key);
    await game.run_for(3);
    assert.equal(await value(game, 'Form2', 'Image5', 'Visible'), true, key);
    assert.equal(await value(game, 'Form2', 'Label9', 'Caption'), '0', key);
    await game.close();
  }
});

test('the game keys never scroll the page or leave it', async () => {
  const game = await open();
  await game.page.evaluate(() => {
    window.unhandled = [];
    addEventListener('keydown', (event) => event.defaultPrevented || unhandled.push(event.key));
  });
  await game.run_for(1600);
  const url = game.page.url();
  for (const key of ['Backspace', 'ArrowLeft', 'ArrowUp', 'ArrowRight', 'ArrowDown', 'Enter', 'NumpadEnter']) {
    await game.page.keyboard.press(key);
  }
  await game.run_for(200);
  assert.deepEqual(await game.page.evaluate(() => unhandled), []);
  assert.equal(game.page.url(), url);
  assert.equal(await value(game, 'Form2', 'Image1', 'Left'), 0);  // left, then right again
  await game.close();
});

test('the menu works from the keyboard; the close box ends the program and a new game can start', async () => {
  const game = await open();
  await game.run_for(1600);
  for (const key of ['F10', 'ArrowRight', 'Enter']) await game.page.keyboard.press(key);  // 茂佐
  for (const key of ['Alt', 'ArrowDown', 'Escape']) await game.page.keyboard.press(key);
  assert.equal(await game.window('Form2').locator('[role=menu]:visible').count(), 0);
  await game.run_for(100);
  assert.equal(await value(game, 'Form2', 'Image7', 'Visible'), true);

  await game.window('Form2').locator('.close-box').click();
  assert.deepEqual((await game.transcript()).slice(-2), ['t=1700 unload Form2', 't=1700 end']);
  await game.page.getByRole('button', { name: 'もう一度遊ぶ' }).click();
  assert.deepEqual(await game.transcript(), ['t=0 show Form1']);
  await game.close();
});

test('on a phone the board fills the width and the on-screen keys play', async () => {
  const game = await open({ context_options: PHONE });
  await new ScriptPlayer(game, []).play(await whole_game_opening({ craft: false }));
  const board = await game.window('Form2').boundingBox();
  assert.ok(Math.abs(board.width - 390) < 1, `board ${board.width} wide`);
  const keys = game.page.locator('#touch-keys button');
  assert.equal(await keys.count(), 6);
  await game.page.getByRole('button', { name: '作る' }).tap();
  await game.run_for(1);
  assert.equal(await value(game, 'Form2', 'Label9', 'Caption'), '1');
  const position = async () => [Number(await value(game, 'Form2', 'Text1', 'Text')),
    Number(await value(game, 'Form2', 'Text2', 'Text'))];
  let [x, y] = await position();
  for (const [name, dx, dy] of [['右', 100, 0], ['下', 0, 100], ['左', -100, 0], ['上', 0, -100]]) {
    await game.page.getByRole('button', { name, exact: true }).tap();
    [x, y] = [x + dx, y + dy];
    assert.deepEqual(await position(), [x, y], name);
  }
  await game.page.getByRole('button', { name: '置く' }).tap();
  await game.run_for(20);
  assert.equal(await value(game, 'Form2', 'Image5', 'Visible'), true);
  await game.screenshot('phone');
  await game.close();
});

test('an idle board wakes only for the plane and draws nothing; a hidden page runs nothing', async () => {
  const game = await open();
  await game.run_for(2600);
  const before = await game.page.evaluate(() => ({ ...totechita.counters }));
  await game.run_for(30000);
  const idle = await game.page.evaluate(() => ({ ...totechita.counters }));
  assert.equal(idle.frames, before.frames);
  assert.ok(idle.wakes - before.wakes <= 30, `${idle.wakes - before.wakes} wake-ups in 30 s`);

  const hide = (hidden) => game.page.evaluate((now_hidden) => {
    Object.defineProperty(document, 'hidden', { value: now_hidden, configurable: true });
    document.dispatchEvent(new Event('visibilitychange'));
  }, hidden);
  const plane = await value(game, 'Form2', 'Image11', 'Left');
  await hide(true);
  await game.run_for(5000);
  assert.equal((await game.page.evaluate(() => totechita.counters)).wakes, idle.wakes);
  await hide(false);
  // Back in view the clock jumps: the plane makes one step for the five seconds, not five.
  assert.equal(await value(game, 'Form2', 'Image11', 'Left'), plane - 100);
  await game.close();
});
