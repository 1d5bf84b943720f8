#include "connectors/ConnectorCatalog.h"

#include <algorithm>
#include <array>

namespace ondi::server {
namespace {

constexpr std::array kApps{
    ConnectorApp{"gmail", "Gmail", "Email"},
    ConnectorApp{"googledrive", "Google Drive", "Files"},
    ConnectorApp{"googlecalendar", "Google Calendar", "Calendar"},
    ConnectorApp{"googlesheets", "Google Sheets", "Data"},
    ConnectorApp{"outlook", "Microsoft Outlook", "Email + calendar"},
    ConnectorApp{"github", "GitHub", "Development"},
    ConnectorApp{"slack", "Slack", "Messaging"},
    ConnectorApp{"microsoft_teams", "Microsoft Teams", "Messaging"},
    ConnectorApp{"notion", "Notion", "Knowledge"},
    ConnectorApp{"airtable", "Airtable", "Data"},
    ConnectorApp{"asana", "Asana", "Projects"},
    ConnectorApp{"monday", "Monday.com", "Projects"},
    ConnectorApp{"jira", "Jira", "Projects"},
    ConnectorApp{"confluence", "Confluence", "Knowledge"},
    ConnectorApp{"hubspot", "HubSpot", "CRM"},
    ConnectorApp{"apollo", "Apollo", "Sales"},
    ConnectorApp{"granola_mcp", "Granola", "Meetings"},
    ConnectorApp{"shopify", "Shopify", "Commerce"},
    ConnectorApp{"stripe", "Stripe", "Payments"},
    ConnectorApp{"box", "Box", "Files"},
    ConnectorApp{"canva", "Canva", "Design"},
    ConnectorApp{"figma", "Figma", "Design"},
    ConnectorApp{"cloudflare", "Cloudflare", "Infrastructure"},
    ConnectorApp{"supabase", "Supabase", "Data"},
    ConnectorApp{"neon", "Neon Postgres", "Data"},
    ConnectorApp{"posthog", "PostHog", "Analytics"},
    ConnectorApp{"semrush", "Semrush", "Marketing"},
    ConnectorApp{"sentry", "Sentry", "Observability"},
    ConnectorApp{"share_point", "SharePoint", "Knowledge"},
    ConnectorApp{"openai", "OpenAI Developers", "Development"},
    ConnectorApp{"wix", "Wix", "Website"},
    ConnectorApp{"heygen", "HeyGen", "Video"},
};

}  // namespace

std::span<const ConnectorApp> connectorApps() {
  return kApps;
}

const ConnectorApp* findConnectorApp(std::string_view slug) {
  const auto found = std::ranges::find(kApps, slug, &ConnectorApp::slug);
  return found != kApps.end() ? &*found : nullptr;
}

}  // namespace ondi::server
