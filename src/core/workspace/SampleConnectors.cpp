#include "core/workspace/SampleData.h"

namespace ondi::SampleData {
namespace {

ConnectorItem app(const char* id, const char* name, const char* category, const char* symbol,
                  AccentTone tone) {
  return {id, name, category, symbol, false, "Checking status", tone};
}

}  // namespace

const std::vector<ConnectorItem>& connectors() {
  using enum AccentTone;
  static const std::vector<ConnectorItem> list{
      app("gmail", "Gmail", "Email", "envelope.fill", clay),
      app("googledrive", "Google Drive", "Files", "folder.fill", blue),
      app("googlecalendar", "Google Calendar", "Calendar", "calendar", green),
      app("googlesheets", "Google Sheets", "Data", "tablecells.fill", green),
      app("outlook", "Microsoft Outlook", "Email + calendar", "envelope.fill", blue),
      app("github", "GitHub", "Development", "chevron.left.forwardslash.chevron.right", slate),
      app("slack", "Slack", "Messaging", "bubble.left.and.bubble.right.fill", gold),
      app("microsoft_teams", "Microsoft Teams", "Messaging", "bubble.left.and.bubble.right.fill",
          blue),
      app("notion", "Notion", "Knowledge", "doc.text.fill", ink),
      app("airtable", "Airtable", "Data", "tablecells.fill", gold),
      app("asana", "Asana", "Projects", "checkmark.circle.fill", clay),
      app("monday", "Monday.com", "Projects", "checkmark.circle.fill", blue),
      app("jira", "Jira", "Projects", "checkmark.circle.fill", blue),
      app("confluence", "Confluence", "Knowledge", "doc.text.fill", blue),
      app("hubspot", "HubSpot", "CRM", "person.2.fill", clay),
      app("apollo", "Apollo", "Sales", "person.crop.circle.badge.checkmark", blue),
      app("granola_mcp", "Granola", "Meetings", "note.text", gold),
      app("shopify", "Shopify", "Commerce", "cart.fill", green),
      app("stripe", "Stripe", "Payments", "creditcard.fill", blue),
      app("box", "Box", "Files", "folder.fill", blue),
      app("canva", "Canva", "Design", "paintbrush.fill", mint),
      app("figma", "Figma", "Design", "paintbrush.fill", mint),
      app("cloudflare", "Cloudflare", "Infrastructure", "cloud.fill", gold),
      app("supabase", "Supabase", "Data", "cylinder.fill", green),
      app("neon", "Neon Postgres", "Data", "cylinder.fill", mint),
      app("posthog", "PostHog", "Analytics", "chart.bar.fill", clay),
      app("semrush", "Semrush", "Marketing", "chart.line.uptrend.xyaxis", clay),
      app("sentry", "Sentry", "Observability", "exclamationmark.triangle.fill", slate),
      app("share_point", "SharePoint", "Knowledge", "folder.fill", blue),
      app("openai", "OpenAI Developers", "Development", "terminal.fill", ink),
      app("wix", "Wix", "Website", "globe", blue),
      app("heygen", "HeyGen", "Video", "video.fill", mint),
  };
  return list;
}

}  // namespace ondi::SampleData
