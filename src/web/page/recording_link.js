// A recording in a link: its text compressed (deflate-raw) and written in base64url in the
// address's fragment, `#watch=...`, which no server sees, so that a static site can share games.
// Reading a link is bounded whatever it holds: the text is inflated only up to one byte more
// than a script may hold (the module's reader then says it is too large).
const KEY = 'watch=';
// Chromium takes addresses up to 2 MB; a longer link could not be opened.
const LONGEST_LINK = 2 * 1024 * 1024;

const BROKEN = 'リンクがこわれています。';

export class LinkProblem extends Error {}

async function piped(bytes, transform) {
  return new Uint8Array(await new Response(new Blob([bytes]).stream().pipeThrough(transform)).arrayBuffer());
}

function to_base64url(bytes) {
  let binary = '';
  for (let at = 0; at < bytes.length; at += 0x8000) {
    binary += String.fromCharCode(...bytes.subarray(at, at + 0x8000));
  }
  return btoa(binary).replace(/\+/g, '-').replace(/\//g, '_').replace(/=+$/, '');
}

function from_base64url(text) {
  try {
    if (!/^[A-Za-z0-9_-]+$/.test(text)) throw new Error('not base64url');
    const binary = atob(text.replace(/-/g, '+').replace(/_/g, '/'));
    return Uint8Array.from(binary, (c) => c.charCodeAt(0));
  } catch {
    throw new LinkProblem(BROKEN);
  }
}

// The address that plays `bytes` (a recording) for whoever opens it.
export async function link_for(bytes) {
  const link = `${location.origin}${location.pathname}#${KEY}${to_base64url(await piped(bytes, new CompressionStream('deflate-raw')))}`;
  if (link.length > LONGEST_LINK) throw new LinkProblem('このゲームはリンクにはなりません。保存してください。');
  return link;
}

// Whether the address's fragment holds a recording.
export function holds_recording(hash) {
  return hash.startsWith(`#${KEY}`);
}

// The recording in a fragment, at most `limit` + 1 bytes of it; a LinkProblem when it is broken.
export async function recording_in(hash, limit) {
  const compressed = from_base64url(hash.slice(KEY.length + 1));
  const reader = new Blob([compressed]).stream().pipeThrough(new DecompressionStream('deflate-raw')).getReader();
  const parts = [];
  let size = 0;
  try {
    while (size <= limit) {
      const { done, value } = await reader.read();
      if (done) break;
      parts.push(value.subarray(0, limit + 1 - size));
      size += value.length;
    }
  } catch {
    throw new LinkProblem(BROKEN);
  }
  reader.cancel().catch(() => {});
  const text = new Uint8Array(Math.min(size, limit + 1));
  let at = 0;
  for (const part of parts) {
    text.set(part, at);
    at += part.length;
  }
  return text;
}
