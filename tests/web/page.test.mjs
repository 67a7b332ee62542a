// What only the page can show on a desktop: its windows, its menu and keys, the font, the end of
// the program, and its clock when idle or hidden. Game rules are the whole-game test's business.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { commands_before, page_sessions } from './page_session.mjs';
import { ScriptPlayer } from './script_player.mjs';

// The whole game's opening up to the first craft, with a click on the dry-ice count.
const DESKTOP = { viewport: { width: 1280, height: 800 } };
const HIGHLIGHT = 'rgb(49, 106, 197)';

const sessions = page_sessions();

// The whole game's opening up to the first craft, with a click on the dry-ice count.
async function bomb_in_hand() {
  return commands_before(await sessions.whole_game(), 'click Label3', { through: true });
}

function open(options = {}) {
  return sessions.open({ seed: 1, ...options });
}

async function value(game, form, control, property) {
  return (await game.state()).forms.find((state) => state.form === form).controls[control][property];
}

// The client area's size in the form's own pixels, and the scale it is drawn at.
async function client_size(window) {
  const box = await window.locator('.client').boundingBox();
  const scale = await window.locator('.client').evaluate((client) => Number(client.style.zoom));
  return { size: [Math.round(box.width / scale), Math.round(box.height / scale)], scale, box };
}

function menu_tree(bar) {
  const entries = (list) => [...list.children].map((child) => {
    if (child.matches('hr')) return '-';
    if (child.matches('button')) return child.textContent;
    return { [child.firstChild.textContent]: entries(child.lastChild) };
  });
  return entries(bar);
}

test('the title is borderless and centred, then the board fills the screen with its caption, close box and menu', async () => {
  const game = await open({ context_options: DESKTOP });
  await game.run_for(100);
  const title = game.window('Form1');
  assert.equal(await title.locator('.caption-bar').count(), 0);
  const shown = await client_size(title);
  assert.deepEqual(shown.size, [529, 481]);
  assert.ok(Math.abs(shown.box.x + shown.box.width / 2 - 640) <= 1 && Math.abs(shown.box.y + shown.box.height / 2 - 400) <= 16);
  await game.screenshot('desktop-title');

  await game.run_for(1500);
  assert.equal(await title.count(), 0);
  const board = game.window('Form2');
  assert.equal(await board.locator('.caption').textContent(), 'KORUMEDO　トテチータ');
  assert.ok(await board.locator('.close-box').isVisible());
  const client = await client_size(board);
  assert.deepEqual(client.size, [377, 331]);
  const room = await game.page.locator('#screen').boundingBox();
  const frame = await board.boundingBox();
  assert.ok(frame.height >= room.height - 20 && frame.y >= room.y, `board ${frame.height} high in ${room.height}`);
  assert.deepEqual(await board.locator('.menu-bar').evaluate(menu_tree), [
    { ゲーム: [{ 敵を置く: ['茂佐', 'ヌガタのおやじ', 'ポテ戦'] }, '-', '終了'] },
  ]);
  await game.screenshot('desktop-board');
  assert.deepEqual(game.errors, []);
  await game.close();
});

test('Return and keypad Enter both drop the bomb in hand', async () => {
  for (const key of ['Enter', 'NumpadEnter']) {
    const game = await open();
    await new ScriptPlayer(game, []).play(await bomb_in_hand());
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
    addEventListener('keydown', (event) => event.defaultPrevented || window.unhandled.push(event.key));
  });
  await game.run_for(1600);
  const url = game.page.url();
  for (const key of ['Backspace', 'ArrowLeft', 'ArrowUp', 'ArrowRight', 'ArrowDown', 'Enter', 'NumpadEnter']) {
    await game.page.keyboard.press(key);
  }
  await game.run_for(200);
  assert.deepEqual(await game.page.evaluate(() => window.unhandled), []);
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

test('Enter presses the page control that Tab reached, not the game', async () => {
  const game = await open();
  await new ScriptPlayer(game, []).play(await bomb_in_hand());
  const board = game.window('Form2');
  const focus_on = async (control) => {
    for (let i = 0; i < 10 && !(await control.evaluate((b) => b === document.activeElement)); ++i) {
      await game.page.keyboard.press('Tab');
    }
  };
  await focus_on(board.getByRole('menuitem', { name: 'ゲーム' }));
  await game.page.keyboard.press('Enter');
  assert.equal(await game.window('Form2').locator('[role=menu]:visible').count(), 1, 'the menu opens');
  await game.page.keyboard.press('Escape');
  await game.run_for(3);
  assert.equal(await value(game, 'Form2', 'Label9', 'Caption'), '1', 'the bomb still in hand');
  await focus_on(board.locator('.close-box'));
  await game.page.keyboard.press('Enter');
  assert.match((await game.transcript()).at(-1), / end$/);
  await game.page.keyboard.press('Enter');  // もう一度遊ぶ, focused when the program ended
  assert.deepEqual(await game.transcript(), ['t=0 show Form1']);
  await game.close();
});

test('one menu entry is selected at a time, by the pointer or the keys; no listener is left behind', async () => {
  const game = await open();
  await game.run_for(1600);
  const board = game.window('Form2');
  const selected = () => board.locator('.menu button:visible').evaluateAll((buttons, colour) =>
    buttons.filter((button) => getComputedStyle(button).backgroundColor === colour).map((button) => button.textContent), HIGHLIGHT);
  await game.page.keyboard.press('F10');
  assert.deepEqual(await selected(), ['敵を置く']);
  await board.getByRole('menuitem', { name: '終了' }).hover();
  assert.deepEqual(await selected(), ['終了']);
  await game.page.keyboard.press('ArrowUp');
  assert.deepEqual(await selected(), ['敵を置く']);
  await game.page.keyboard.press('Escape');

  // Every new game's menu bar, and every menu opened, leaves the document as it found it.
  const cdp = await game.page.context().newCDPSession(game.page);
  const presses_heard = async () => {
    const { result } = await cdp.send('Runtime.evaluate', { expression: 'document' });
    const { listeners } = await cdp.send('DOMDebugger.getEventListeners', { objectId: result.objectId });
    return listeners.filter((listener) => listener.type === 'pointerdown').length;
  };
  const before = await presses_heard();
  for (let i = 0; i < 3; ++i) {
    await game.window('Form2').locator('.close-box').click();
    await game.page.getByRole('button', { name: 'もう一度遊ぶ' }).click();
    await game.run_for(1600);
    await game.window('Form2').getByRole('menuitem', { name: 'ゲーム' }).click();
    await game.page.mouse.click(5, 5);
  }
  assert.equal(await presses_heard(), before);
  await game.close();
});

test('every text of the page is drawn in the game\'s font, with no character left to another', async () => {
  const game = await open();
  await game.run_for(1600);
  await game.window('Form2').getByRole('menuitem', { name: 'ゲーム' }).click();
  const cdp = await game.page.context().newCDPSession(game.page);
  await cdp.send('DOM.enable');
  await cdp.send('CSS.enable');
  const { root } = await cdp.send('DOM.getDocument', { depth: -1 });
  const { nodeIds } = await cdp.send('DOM.querySelectorAll', { nodeId: root.nodeId,
    selector: '.caption, .close-box, .menu-bar button, .label, #controls-hint span span' });
  const families = new Set();
  for (const nodeId of nodeIds) {
    const { fonts } = await cdp.send('CSS.getPlatformFontsForNode', { nodeId });
    for (const font of fonts) families.add(font.familyName);
  }
  assert.deepEqual([...families], ['Totechita Gothic']);
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
